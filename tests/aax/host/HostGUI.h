#pragma once

#include "AAX_IACFEffectGUI.h"
#include "FakeEffectHost.h"
#include "HostEffect.h"

namespace fakehost
{
    /**
        The editor of one effect instance, as a host opens it: made through the registered
        GUI creator and initialised with a context that hands over that instance's effect
        parameters. Attach() gives it a view container (this context's) holding a native
        window; Detach() takes the container away.
    */
    class HostGUI
    {
    public:
        HostGUI (const RegisteredEffect& effect, HostEffect& instance, HostLog& log);
        ~HostGUI();

        HostGUI (const HostGUI&) = delete;
        HostGUI& operator= (const HostGUI&) = delete;

        bool IsCreated() const noexcept                   { return m_GUI != nullptr; }
        AAX_IACFEffectGUI& GUI() const noexcept           { return *m_GUI; }
        FakeEffectHost& Context() noexcept                { return m_Context; }
        ACFRESULT Initialized() const noexcept            { return m_Initialized; }

        /** Initialize again, now handing over that instance's effect parameters. */
        ACFRESULT Initialize (HostEffect& instance);
        /** The view container with that native window and type. */
        ACFRESULT Attach (void* nativeWindow, std::int32_t type = 1);
        ACFRESULT Detach();
        /** The size the GUI reports; vertical first, both 0 when it reports none. */
        AAX_Point ViewSize() const;

    private:
        FakeEffectHost m_Context;
        AAX_IACFEffectGUI* m_GUI = nullptr;
        ACFRESULT m_Initialized = AAX_RESULT_MISSING_OBJECT;
    };
}
