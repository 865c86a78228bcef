#pragma once

#include <set>

/** A keyboard picture: names the item ids of the controls it offers. */
class IKbdCtrlPicker
{
public:
    virtual std::set<short> getSupportedControls() = 0;

protected:
    // Pictures are never deleted through this interface.
    ~IKbdCtrlPicker() = default;
};
