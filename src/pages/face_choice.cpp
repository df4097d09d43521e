#include "pages/face_choice.h"

#include "design/seal_format.h"
#include "res/resource_ids.h"

namespace {
constexpr int kFirstLatinButton = 3035;
constexpr int kLatinButtons = 4;
constexpr int kJapaneseButtons[] = {kIdcGothic, kIdcMincho, kIdcOtherFace};
}  // namespace

int CurrentFaceButton()
{
    if (CSealFormat::s_bLatinFace) {
        const int face = CSealFormat::s_nLatinFace;
        return face >= 0 && face < kLatinButtons ? kFirstLatinButton + face : 0;
    }
    const int face = CSealFormat::s_nJapaneseFace;
    return face >= 0 && face < 3 ? kJapaneseButtons[face] : 0;
}

void ChooseFaceButton(int buttonId)
{
    if (buttonId >= kFirstLatinButton && buttonId < kFirstLatinButton + kLatinButtons) {
        CSealFormat::s_nLatinFace = buttonId - kFirstLatinButton;
        CSealFormat::s_bLatinFace = 1;
    } else if (buttonId == kIdcGothic || buttonId == kIdcMincho) {
        CSealFormat::s_nJapaneseFace = buttonId == kIdcGothic ? 0 : 1;
        CSealFormat::s_bLatinFace = 0;
    }
}

void ChooseOtherFace()
{
    CSealFormat::s_nJapaneseFace = 2;
    CSealFormat::s_bLatinFace = 0;
}
