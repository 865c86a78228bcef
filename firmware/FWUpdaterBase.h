#pragma once

#include "IFWUpdater.h"

/** The host and file handling shared by the updaters; the transfer itself is
    the derived class's. */
class FWUpdaterBase : public IFWUpdater
{
public:
    void Init (IFWHelper* helper) override;
    void Term() override;

    /** Keeps the file for Burn; always true. */
    bool SetFile (juce::File newFile) override;

protected:
    IFWHelper* fwHelper = nullptr; // not owned
    juce::File file;
};
