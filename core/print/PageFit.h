#pragma once

#include "core/board/Geometry.h"

// Where an image of size `source` goes on a page whose printable area is `page`: as large as the
// area allows with the image's aspect kept, at the area's top left corner. The side that does not
// fill the area is rounded to the nearest unit and is at least one unit long. Empty when the page
// or the source is empty.
Rect fitToPage(const Rect &page, const Size &source);
