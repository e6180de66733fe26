#pragma once

#include <cstdint>

class AudioEffect;

/** What the dispatcher hands an editor for a key event (built on the dispatcher's stack). */
struct EditorKeyCode
{
    std::int32_t keyCharacter = 0;
    std::uint8_t virtualKey = 0;
    std::uint8_t modifierKeys = 0;
};

/**
    The optional editor object an AudioEffect may own. The dispatcher calls only the
    rectangle, open, close, idle, key and knob-mode operations; the others are there
    for an editor's own use. Nothing in this library creates one.
*/
class EffectEditor
{
public:
    virtual ~EffectEditor() = default;

    virtual AudioEffect* getEffect() const noexcept      { return nullptr; }
    /** Writes a pointer to the editor's rectangle record into *rectOut. */
    virtual bool queryRect (void* rectOut)               { (void) rectOut; return false; }
    virtual bool openView (void* parentWindow)           { (void) parentWindow; return false; }
    virtual void closeView()                             {}
    virtual bool isViewOpen() const noexcept             { return false; }
    virtual void idleView()                              {}
    virtual bool onWheel (float distance)                { (void) distance; return false; }
    virtual bool keyDown (EditorKeyCode& key)            { (void) key; return false; }
    virtual bool keyUp (EditorKeyCode& key)              { (void) key; return false; }
    virtual bool setKnobSensitivity (float sensitivity)  { (void) sensitivity; return false; }
    virtual bool changeKnobMode (std::int32_t mode)      { (void) mode; return false; }
};
