#pragma once

/** Receives the controller link's info codes (see ZelManager49::postZelInfo),
    synchronously, on the thread that produced the event. */
class ZelManagerListener
{
public:
    virtual void ZelInfoReceived (int code, int a, int b, void* p) = 0;

protected:
    ~ZelManagerListener() = default;
};
