#include "PictureTool.h"

int main (int argc, char** argv)
{
    return PictureTool::writeRegisteredPictures (argc, argv, juce::File (ORLUNE_EARLIER_RESOURCES_DIR));
}
