#pragma once
// Which typeface button stands for the design's typeface, and what a click on one stores.
// Buttons: 3034 gothic, 3033 mincho, 3039 the other typeface (Japanese faces 0, 1, 2);
// 3035 to 3038 the Latin faces 0 to 3.

// The button of the current typeface, or 0 when the design names none of them.
int CurrentFaceButton();
// Stores the typeface of one of the buttons 3033 to 3038 into the design.
void ChooseFaceButton(int buttonId);
// The other typeface became the design's typeface.
void ChooseOtherFace();
