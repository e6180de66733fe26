#include "AAX_CParameterManager.h"

#include <cstring>
#include <string_view>
#include <utility>

AAX_CParameterManager::AAX_CParameterManager() = default;

AAX_CParameterManager::~AAX_CParameterManager()
{
    RemoveAllParameters();
}

void AAX_CParameterManager::Initialize (AAX_IAutomationDelegate* automationDelegate) noexcept
{
    m_AutomationDelegate = automationDelegate;
}

std::int32_t AAX_CParameterManager::NumParameters() const noexcept
{
    return static_cast<std::int32_t> (m_Parameters.size());
}

void AAX_CParameterManager::AddParameter (AAX_IParameter* parameter)
{
    if (parameter == nullptr || GetParameterByID (parameter->Identifier()) != nullptr)
        return;

    // Whatever can fail comes first, while the parameter is still the caller's: the room in
    // the array, the map entry made aside, then the delegate. Nothing after it can throw.
    m_Parameters.reserve (m_Parameters.size() + 1);
    decltype (m_ParametersByID) entry;
    entry.emplace (parameter->Identifier(), parameter);
    parameter->SetAutomationDelegate (m_AutomationDelegate);

    m_Parameters.emplace_back (parameter);
    m_ParametersByID.insert (entry.extract (entry.begin()));
}

void AAX_CParameterManager::RemoveAllParameters()
{
    m_ParametersByID.clear();

    for (auto& parameter : m_Parameters)
        parameter.reset();

    m_Parameters.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID (const char* identifier)
{
    return const_cast<AAX_IParameter*> (std::as_const (*this).GetParameterByID (identifier));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID (const char* identifier) const
{
    if (identifier == nullptr)
        return nullptr;

    const auto found = m_ParametersByID.find (std::string_view (identifier));
    return found != m_ParametersByID.end() ? found->second : nullptr;
}

std::int32_t AAX_CParameterManager::GetParameterIndex (const char* identifier) const
{
    if (identifier == nullptr)
        return -1;

    for (std::size_t index = 0; index < m_Parameters.size(); ++index)
        if (std::strcmp (m_Parameters[index]->Identifier(), identifier) == 0)
            return static_cast<std::int32_t> (index);

    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter (std::int32_t index)
{
    return const_cast<AAX_IParameter*> (std::as_const (*this).GetParameter (index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter (std::int32_t index) const
{
    if (index < 0 || index >= NumParameters())
        return nullptr;

    return m_Parameters[static_cast<std::size_t> (index)].get();
}
