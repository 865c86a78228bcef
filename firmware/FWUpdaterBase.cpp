#include "FWUpdaterBase.h"

void FWUpdaterBase::Init (IFWHelper* helper)
{
    fwHelper = helper;
}

void FWUpdaterBase::Term()
{
}

bool FWUpdaterBase::SetFile (juce::File newFile)
{
    file = newFile;
    return true;
}
