// AAX_CString's editing, number formatting and number reading, in any order on any text.
//
// Input: a text (length byte, bytes), then operations: an operation byte and its
// arguments (texts as above, numbers as plain little-endian values).
#include "fuzz/FuzzSupport.h"

#include "AAX_CString.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using namespace hushmoor::fuzz;
    ByteReader input (data, size);

    AAX_CString text (input.takeText().c_str());
    AAX_CString other;

    while (! input.atEnd())
    {
        const auto before = text.Length();

        switch (input.take<std::uint8_t>() % 8)
        {
            case 0:
                text.Set (input.takeText().c_str());
                break;

            case 1:
            {
                const auto pos = input.take<std::uint32_t>();
                text.Erase (pos, input.take<std::uint32_t>());
                check (text.Length() <= before, "Erase made the text longer");
                break;
            }

            case 2:
            {
                const auto number = input.take<double>();
                const auto precision = input.take<std::int32_t>();
                text.AppendNumber (number, precision);

                // Sign, 309 integer digits, point, decimals: never more.
                const auto decimals = static_cast<std::uint32_t> (std::clamp (precision, 0, AAX_CString::maxAppendDecimals));
                check (text.Length() - before <= 1 + 309 + 1 + std::max (decimals, 6u), "AppendNumber wrote too much");
                break;
            }

            case 3:
            {
                const auto pos = input.take<std::uint32_t>() % (text.Length() + 1);
                text.SubString (pos, input.take<std::uint32_t>(), &other);
                check (other.Length() <= text.Length() - pos, "SubString took more than there was");
                break;
            }

            case 4:
            {
                double value = 1.0;
                if (! text.ToDouble (&value))
                    check (value == 0.0, "a failed ToDouble left something other than 0");
                break;
            }

            case 5:
                other = text;
                check (other == text && ! (other != text), "a copy differs");
                break;

            case 6:
            {
                const auto index = input.take<std::uint32_t>();
                const auto character = input.take<char>();
                if (text.Length() > 0)
                    text[index % text.Length()] = character;
                break;
            }

            default:
                text = static_cast<const AAX_IString&> (other);
                break;
        }

        check (std::strlen (text.Get()) <= text.Length(), "Get() is not the text");
    }

    return 0;
}
