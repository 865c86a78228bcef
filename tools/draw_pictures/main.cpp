#include "ButtonPictures.h"
#include "OrlunePickerPicture.h"
#include "PictureTool.h"

namespace
{
constexpr int kButtonHeight = 29;

juce::Image drawDefaultButton (bool lighter)
{
    return drawButtonPicture (101, kButtonHeight, "Default Values", lighter);
}

juce::Image drawSendButton (bool lighter)
{
    return drawButtonPicture (117, kButtonHeight, "Send to Keyboard", lighter);
}
} // namespace

ORLUNE_PICTURE ("orlune49_picker.png", drawOrlunePickerPicture)
ORLUNE_PICTURE ("defaultBtn_hover.png", [] { return drawDefaultButton (false); })
ORLUNE_PICTURE ("defaultBtn_push.png", [] { return drawDefaultButton (true); })
ORLUNE_PICTURE ("sendBtn_inactive.png", [] { return drawSendButton (false); })
ORLUNE_PICTURE ("sendBtn_hover.png", [] { return drawSendButton (true); })
ORLUNE_PICTURE ("sendBtn_push.png", [] { return drawSendButton (true); })

int main (int argc, char** argv)
{
    return PictureTool::writeRegisteredPictures (argc, argv, juce::File (ORLUNE_RESOURCES_DIR));
}
