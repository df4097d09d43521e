#pragma once
// The samples of the layout and font pages, plugged into their picture controls: the Orvanel
// sample (1082, both pages), the Zolvi layout sample (1119, fixed faces) and the Zolvi font
// sample (1120, the design's faces).
void RegisterSampleViews();
