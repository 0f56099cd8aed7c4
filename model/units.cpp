// The unit switch: the model stays in millimetres; only the field texts change unit.

#include "core/number_format.h"
#include "model/main_model.h"

namespace kelvo {

void MainWindowModel::SwitchUnits() {
    InchMode = !InchMode;
    NominalEditLive = false;
    if (InchMode) {
        NominalSize = ReadNominalField();
        WriteNominalField(FormatGeneral(RoundField(NominalSize / kMmPerInch, 5), DecimalSeparator));
        DesignMinText = FormatGeneral(RoundField(DesignMinLimit / kMmPerInch, 5), DecimalSeparator);
        DesignMaxText = FormatGeneral(RoundField(DesignMaxLimit / kMmPerInch, 5), DecimalSeparator);
    } else {
        WriteNominalField(FormatGeneral(RoundField(NominalSize, 4), DecimalSeparator));
        DesignMinText = FormatGeneral(RoundField(DesignMinLimit, 4), DecimalSeparator);
        DesignMaxText = FormatGeneral(RoundField(DesignMaxLimit, 4), DecimalSeparator);
    }
    for (int index = 0; index < kNonStdFieldCount; ++index) {
        const auto field = static_cast<NonStdField>(index);
        WriteNonStdField(field, Mem(field));
    }
    CalculateStandard();
    NominalEditLive = true;
    if (view_ != nullptr) {
        view_->RefreshDesignGrid();
    }
}

}  // namespace kelvo
