#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <vector>

/** A picture of an earlier keyboard, drawn by a function and written as
    resources/earlier_models/<file>. Each drawing file registers its pictures
    with ORLUNE_EARLIER_PICTURE. */
struct EarlierPicture
{
    const char* file;
    std::function<juce::Image()> draw;

    static std::vector<EarlierPicture>& all();

    struct Registration
    {
        Registration (const char* file, std::function<juce::Image()> draw);
    };
};

#define ORLUNE_EARLIER_PICTURE(file, drawFunction) \
    static const EarlierPicture::Registration JUCE_JOIN_MACRO (earlierPicture, __LINE__) { file, drawFunction };
