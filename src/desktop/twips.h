#pragma once

#include <QRect>

// The windows are laid out in twips, 15 to a pixel at 96 dots per inch.
constexpr int px(int twips)
{
    return twips / 15;
}

constexpr QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
