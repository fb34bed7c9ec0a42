#pragma once

// Sizes of the windows' designs and of the sheet are given in twips (1/1440
// inch): 15 twips a pixel at 96 dpi, rounded to the nearest pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
