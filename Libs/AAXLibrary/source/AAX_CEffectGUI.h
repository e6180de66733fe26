#pragma once

#include "AAX_IACFEffectParameters.h"
#include "AAX_IEffectGUI.h"
#include "ACFPtr.h"

#include <memory>

class AAX_IController;
class AAX_IEffectParameters;
class AAX_ITransport;
class AAX_IViewContainer;

/**
    The base of the plug-in's GUI object. Initialize wraps the host's controller and
    transport, takes a reference to the plug-in's effect parameters and has the subclass
    build its view contents; SetViewContainer wraps the host window, has the subclass attach
    the view to it, and pushes every parameter identifier to ParameterUpdated.

    The object owns its wrappers: a second Initialize (which runs Uninitialize first), a new
    or cleared view container and destruction free the ones they replace. No exception
    leaves a host operation.
*/
class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI();
    /** Runs this class's Uninitialize; the subclass has taken its view down by then. */
    ~AAX_CEffectGUI() override;

    AAX_CEffectGUI (const AAX_CEffectGUI&) = delete;
    AAX_CEffectGUI& operator= (const AAX_CEffectGUI&) = delete;

    /** -20011 for a null host, with only the (empty) controller wrapper made. */
    AAX_ResultCode Initialize (IACFUnknown* host) override;
    /** Releases the effect parameters and frees the controller and transport; may run more than once. */
    AAX_ResultCode Uninitialize() override;
    AAX_ResultCode NotificationReceived (std::uint32_t type, const void* data, std::uint32_t size) override;
    /** Attaches to a container (CreateViewContainer, UpdateAllParameters) or, for null, detaches. */
    AAX_ResultCode SetViewContainer (IACFUnknown* viewContainer) override;
    /** Leaves the size as it is; the subclass answers. */
    AAX_ResultCode GetViewSize (AAX_Point* size) const override;
    AAX_ResultCode Draw (AAX_Rect* area) override;
    AAX_ResultCode TimerWakeup() override;
    AAX_ResultCode ParameterUpdated (const char* parameterID) override;
    /** No custom labels: -20004. */
    AAX_ResultCode GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* label) const override;
    AAX_ResultCode SetControlHighlightInfo (const char* parameterID, AAX_CBoolean highlighted,
                                            AAX_EHighlightColor colour) override;

    /** Null until Initialize, or when the host refused the effect parameters. */
    AAX_IEffectParameters* GetEffectParameters() const noexcept;
    AAX_IViewContainer* GetViewContainer() const noexcept     { return m_ViewContainer.get(); }
    /** The container's type code, 0 without a container. */
    std::int32_t GetViewContainerType() const;
    /** The container's native view, null without a container. */
    void* GetViewContainerPtr() const;

protected:
    /** Builds the view's contents, once per Initialize. */
    virtual AAX_ResultCode CreateViewContents() = 0;
    /** Attaches the view to the container just set. */
    virtual AAX_ResultCode CreateViewContainer() = 0;
    /** Detaches the view from the container that went. */
    virtual AAX_ResultCode DeleteViewContainer() = 0;
    /** Calls ParameterUpdated with every parameter identifier of the effect, in index order. */
    virtual void UpdateAllParameters();

private:
    void ReleaseHostObjects() noexcept;

    std::unique_ptr<AAX_IController> m_Controller;
    ACFPtr<AAX_IACFEffectParameters> m_EffectParameters;
    std::unique_ptr<AAX_IViewContainer> m_ViewContainer;
    std::unique_ptr<AAX_ITransport> m_Transport;
};
