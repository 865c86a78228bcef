#include "EarlierPicture.h"

#include <juce_events/juce_events.h>

#include <iostream>

std::vector<EarlierPicture>& EarlierPicture::all()
{
    static std::vector<EarlierPicture> pictures;
    return pictures;
}

EarlierPicture::Registration::Registration (const char* file, std::function<juce::Image()> draw)
{
    all().push_back ({ file, std::move (draw) });
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI framework;

    const juce::File folder (argc > 1 ? juce::File::getCurrentWorkingDirectory().getChildFile (argv[1])
                                      : juce::File (ORLUNE_EARLIER_RESOURCES_DIR));
    folder.createDirectory();

    bool ok = true;

    for (const auto& picture : EarlierPicture::all())
    {
        const auto file = folder.getChildFile (picture.file);
        file.deleteFile();

        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (out.openedOk() && png.writeImageToStream (picture.draw(), out))
        {
            std::cout << file.getFullPathName() << "\n";
        }
        else
        {
            std::cerr << "cannot write " << file.getFullPathName() << "\n";
            ok = false;
        }
    }

    return ok ? 0 : 1;
}
