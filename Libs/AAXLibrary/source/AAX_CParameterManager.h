#pragma once

#include "AAX_IParameter.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;

/**
    The registry of the plug-in's host parameters: it owns them, keeps them in the order
    they were added (their index) and finds them by identifier. Parameters are added and
    removed only while the effect initialises and uninitialises; lookups only read.
*/
class AAX_CParameterManager
{
public:
    AAX_CParameterManager();
    ~AAX_CParameterManager();

    AAX_CParameterManager (const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator= (const AAX_CParameterManager&) = delete;

    /** The delegate handed to parameters added from now on; earlier ones keep theirs. */
    void Initialize (AAX_IAutomationDelegate* automationDelegate) noexcept;

    std::int32_t NumParameters() const noexcept;
    /**
        Takes ownership and attaches the automation delegate. A null parameter, or one whose
        identifier is already taken, is not added and stays the caller's; so does one whose
        delegate cannot be attached (the exception goes on, the manager is unchanged).
    */
    void AddParameter (AAX_IParameter* parameter);
    /** Deletes every parameter, in index order. */
    void RemoveAllParameters();

    /** Null for an unknown or null identifier; letter case counts. */
    AAX_IParameter* GetParameterByID (const char* identifier);
    const AAX_IParameter* GetParameterByID (const char* identifier) const;
    /** -1 for an unknown or null identifier. */
    std::int32_t GetParameterIndex (const char* identifier) const;
    /** Null for an index out of range. */
    AAX_IParameter* GetParameter (std::int32_t index);
    const AAX_IParameter* GetParameter (std::int32_t index) const;

private:
    AAX_IAutomationDelegate* m_AutomationDelegate = nullptr;
    std::vector<std::unique_ptr<AAX_IParameter>> m_Parameters;
    std::map<std::string, AAX_IParameter*, std::less<>> m_ParametersByID;
};
