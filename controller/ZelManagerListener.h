#pragma once

#include "ZelInfoCodes.h"

/** Receives the controller link's info codes (InfoCode, posted by
    ZelManager49::postZelInfo), synchronously, on the thread that produced the event. */
class ZelManagerListener
{
public:
    virtual void ZelInfoReceived (int code, int a, int b, void* p) = 0;

protected:
    ~ZelManagerListener() = default;
};
