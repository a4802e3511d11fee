#include "ui/form1_description.h"

namespace {

constexpr FontDescription kCaptionFont{"Arial", 13, true};
constexpr FontDescription kHintFont{"Arial", 16, true};

using enum ControlKind;
using enum ControlColour;

// In creation order. The known-cards row stands above the outs row, and the tab order
// follows the rows, not the order the captions were made in.
constexpr ControlDescription kControls[] = {
    // name, class, left, top, width, height, caption, font, colour, read-only, tab order,
    // the control a label names
    {"Label1", Label, 8, 65, 89, 16, "Money to call:", &kCaptionFont, WindowText, false, -1,
     "MoneyToCallEdit"},
    {"Label2", Label, 8, 96, 181, 16, "Money to win after your call:", &kCaptionFont, WindowText,
     false, -1, "WinningsEdit"},
    {"Label3", Label, 8, 163, 62, 16, "Your outs:", &kCaptionFont, WindowText, false, -1,
     "OutsEdit"},
    {"Label4", Label, 8, 208, 49, 16, "Call EV:", &kCaptionFont, WindowText, false, -1,
     "CallEvEdit"},
    {"Label5", Label, 8, 239, 52, 16, "Fold EV:", &kCaptionFont, WindowText, false, -1,
     "FoldEvEdit"},
    {"Label6", Label, 8, 8, 343, 19, "Input a . instead of a comma example:  124.56", &kHintFont,
     Red, false, -1, "Button1"},
    {"Label7", Label, 8, 128, 153, 16, "Amount of known cards:", &kCaptionFont, WindowText, false,
     -1, "KnownCardsEdit"},
    {"Button1", Button, 195, 296, 75, 25, "Calculated", nullptr, WindowText, false, 0, ""},
    {"MoneyToCallEdit", Edit, 195, 64, 137, 21, "", nullptr, WindowText, false, 1, ""},
    {"WinningsEdit", Edit, 195, 91, 137, 21, "", nullptr, WindowText, false, 2, ""},
    {"KnownCardsEdit", Edit, 195, 127, 137, 21, "", nullptr, WindowText, false, 3, ""},
    {"OutsEdit", Edit, 195, 162, 137, 21, "", nullptr, WindowText, false, 4, ""},
    {"CallEvEdit", Edit, 195, 207, 137, 21, "", nullptr, WindowText, true, 5, ""},
    {"FoldEvEdit", Edit, 195, 239, 137, 21, "", nullptr, WindowText, true, 6, ""},
};

}  // namespace

const FormDescription kForm1Description{
    "Vorn EV calculator", 0, 0, 375, 342, {"Tahoma", 11, false}, kControls,
};
