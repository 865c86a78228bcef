#include "ButtonPictures.h"
#include "OrlunePickerPicture.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace
{
struct ButtonPicture
{
    const char* file;
    int width;
    const char* caption;
    bool lighter;
};

constexpr int kButtonHeight = 29;

constexpr ButtonPicture kButtons[] = {
    { "defaultBtn_hover.png", 101, "Default Values", false },
    { "defaultBtn_push.png", 101, "Default Values", true },
    { "sendBtn_inactive.png", 117, "Send to Keyboard", false },
    { "sendBtn_hover.png", 117, "Send to Keyboard", true },
    { "sendBtn_push.png", 117, "Send to Keyboard", true },
};

bool writePng (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;

    if (! out.openedOk() || ! png.writeImageToStream (image, out))
    {
        std::cerr << "cannot write " << file.getFullPathName() << "\n";
        return false;
    }

    std::cout << file.getFullPathName() << "\n";
    return true;
}
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI framework;

    const juce::File folder (argc > 1 ? juce::File::getCurrentWorkingDirectory().getChildFile (argv[1])
                                      : juce::File (ORLUNE_RESOURCES_DIR));
    folder.createDirectory();

    bool ok = writePng (drawOrlunePickerPicture(), folder.getChildFile ("orlune49_picker.png"));

    for (const auto& b : kButtons)
        ok = writePng (drawButtonPicture (b.width, kButtonHeight, b.caption, b.lighter),
                       folder.getChildFile (b.file)) && ok;

    return ok ? 0 : 1;
}
