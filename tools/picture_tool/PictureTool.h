#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <vector>

/** What the picture tools share: each drawing source registers its pictures
    with ORLUNE_PICTURE, and the tool's main writes them all as PNG files. */
namespace PictureTool
{
/** A picture, drawn by a function and written as <folder>/<file>. */
struct Picture
{
    const char* file;
    std::function<juce::Image()> draw;
};

/** The pictures registered so far, in registration order. */
std::vector<Picture>& registeredPictures();

struct Registration
{
    Registration (const char* file, std::function<juce::Image()> draw);
};

/** Writes the image as a PNG file in place of `file`, then names the file on
    stdout; false, with the failure on stderr, if it cannot be written. */
bool writePng (const juce::Image& image, const juce::File& file);

/** A tool's main: draws every registered picture and writes it into the folder
    named by the first argument (relative to the working directory), or else
    into defaultFolder. 0 when all were written. */
int writeRegisteredPictures (int argc, char** argv, const juce::File& defaultFolder);
} // namespace PictureTool

#define ORLUNE_PICTURE(file, ...) \
    static const PictureTool::Registration JUCE_JOIN_MACRO (registeredPicture, __LINE__) { file, __VA_ARGS__ };
