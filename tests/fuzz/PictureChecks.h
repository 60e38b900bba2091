// What every decoded picture must hold, whatever bytes it came from.
#pragma once

#include "FuzzCheck.h"
#include "data/Picture.h"

inline void CheckPicture(const TPicture& picture)
{
    FUZZ_CHECK(PictureSizeAllowed(picture.Width, picture.Height), "a picture of a refused size was decoded");
    FUZZ_CHECK(picture.Pixels.size() == static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height),
               "the pixels do not fill the picture");
}
