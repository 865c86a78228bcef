#include "PictureTool.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace PictureTool
{
std::vector<Picture>& registeredPictures()
{
    static std::vector<Picture> pictures;
    return pictures;
}

Registration::Registration (const char* file, std::function<juce::Image()> draw)
{
    registeredPictures().push_back ({ file, std::move (draw) });
}

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

int writeRegisteredPictures (int argc, char** argv, const juce::File& defaultFolder)
{
    juce::ScopedJuceInitialiser_GUI framework;

    const juce::File folder (argc > 1 ? juce::File::getCurrentWorkingDirectory().getChildFile (argv[1])
                                      : defaultFolder);
    folder.createDirectory();

    bool ok = true;

    for (const auto& picture : registeredPictures())
        ok = writePng (picture.draw(), folder.getChildFile (picture.file)) && ok;

    return ok ? 0 : 1;
}
} // namespace PictureTool
