#pragma once
// Template, control and picture numbers. Pages name each other by template number.

// Dialog templates.
inline constexpr int kIddStart = 129;
inline constexpr int kIddSelection = 130;
inline constexpr int kIddWizard = 131;
inline constexpr int kIddSaveMessage = 167;
inline constexpr int kIddConfirm = 169;
inline constexpr int kIddOrvanelLayout = 171;
inline constexpr int kIddOrvanelFont = 172;
inline constexpr int kIddOrvanelText = 173;
inline constexpr int kIddOrvanelPrint = 175;
inline constexpr int kIddZolviFont = 217;
inline constexpr int kIddZolviText = 218;
inline constexpr int kIddZolviPrint = 219;
inline constexpr int kIddZolviLayout = 221;

// Controls.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdcOpenDesign = 1000;
inline constexpr int kIdcStartExit = 1002;
inline constexpr int kIdcPlaceholder = 1010;
inline constexpr int kIdcTitlePicture = 1013;
inline constexpr int kIdcHeader = 1019;
inline constexpr int kIdcConfirmLine1 = 1071;
inline constexpr int kIdcConfirmLine2 = 1072;
inline constexpr int kIdcSaveMessage = 1075;
inline constexpr int kIdcSheetList = 1076;
inline constexpr int kIdcSheetPicture = 1097;
inline constexpr int kIdcSupport = 1109;
inline constexpr int kIdcNewDesign = 1125;
inline constexpr int kIdcFooter = 1141;
inline constexpr int kIdcPickArrow = 1142;
inline constexpr int kIdcCheckCaption = 1143;
inline constexpr int kIdcSaveDesign = 3037;
inline constexpr int kIdcBack = 12323;
inline constexpr int kIdcNext = 12324;
inline constexpr int kIdcExit = 12325;

// Pictures.
inline constexpr int kIconMain = 128;
inline constexpr int kBmpListImages = 194;
inline constexpr int kBmpSupportButton = 218;
inline constexpr int kBmpNewButton = 219;
inline constexpr int kBmpOpenButton = 220;
inline constexpr int kBmpExitButton = 221;
inline constexpr int kBmpHeader = 222;
inline constexpr int kBmpFooterSelection = 223;
inline constexpr int kBmpBackButton = 224;
inline constexpr int kBmpNextButton = 225;
inline constexpr int kBmpWizardExitButton = 226;
inline constexpr int kBmpFooterLayout = 230;
inline constexpr int kBmpFooterFont = 235;
inline constexpr int kBmpFooterText = 248;
inline constexpr int kBmpFooterPrint = 249;
inline constexpr int kBmpPrintButton = 253;
inline constexpr int kBmpSaveButton = 254;
inline constexpr int kBmpStepFirst = 262;  // 262..266: steps 1 to 5
inline constexpr int kBmpPickArrow = 267;
inline constexpr int kBmpCheckCaption = 268;
inline constexpr int kBmpNextDisabled = 283;
inline constexpr int kBmpCanvasPaper = 284;
inline constexpr int kBmpCanvasPaperSmall = 285;
inline constexpr int kBmpCanvasSticker = 288;
inline constexpr int kBmpCanvasStickerLarge = 289;
inline constexpr int kBmpPrintDisabled = 291;
inline constexpr int kBmpSaveDisabled = 292;

// The layout and font pages and their colour and typeface dialogs.
inline constexpr int kIddFontColour = 165;
inline constexpr int kIddOtherFaces = 166;
inline constexpr int kIdcTabTop = 1022;          // index tabs beside the Zolvi arrangement rows
inline constexpr int kIdcTabSide = 1023;
inline constexpr int kIdcTabBottom = 1024;
inline constexpr int kIdcBold = 1034;
inline constexpr int kIdcFirstColour = 1039;     // 1039..1056: the colour buttons
inline constexpr int kIdcNoFrame = 1056;
inline constexpr int kIdcFaceList = 1070;
inline constexpr int kIdcFaceCaption = 1071;
inline constexpr int kIdcFaceSample = 1072;
inline constexpr int kIdcPrintFrame = 1078;
inline constexpr int kIdcSample = 1082;          // the Orvanel sample of the layout and font pages
inline constexpr int kIdcFrameColour = 1083;
inline constexpr int kIdcNoFrameHint = 1117;
inline constexpr int kIdcZolviLayoutSample = 1119;
inline constexpr int kIdcZolviFontSample = 1120;
inline constexpr int kIdcFrameCaption = 1144;
inline constexpr int kIdcFrameWarning = 1145;    // Orvanel; 1149 on the Zolvi page
inline constexpr int kIdcColourHint = 1146;
inline constexpr int kIdcSampleArrow = 1147;
inline constexpr int kIdcSampleCaption = 1148;
inline constexpr int kIdcZolviFrameWarning = 1149;
inline constexpr int kIdcFaceTitle = 1150;
inline constexpr int kIdcColourTitle = 1151;
inline constexpr int kIdcFaceNames = 1152;
inline constexpr int kIdcKinsoku = 1160;       // the user's line-breaking choice on the layout pages
inline constexpr int kIdcGothic = 3034;          // 3033..3039: the typeface buttons
inline constexpr int kIdcMincho = 3033;
inline constexpr int kIdcOtherFace = 3039;

inline constexpr int kBmpTabTop = 141;           // index tabs along a page's top edge
inline constexpr int kBmpTabSide = 142;
inline constexpr int kBmpTabBottom = 143;
inline constexpr int kBmpFaceTitle = 231;
inline constexpr int kBmpFaceNames = 232;
inline constexpr int kBmpColourTitle = 234;
inline constexpr int kBmpSampleCaption = 255;
inline constexpr int kBmpColourHint = 256;
inline constexpr int kBmpFrameCaption = 257;
inline constexpr int kBmpSampleArrow = 259;
inline constexpr int kBmpFrameWarning = 277;
inline constexpr int kBmpZolviFrameWarning = 278;
