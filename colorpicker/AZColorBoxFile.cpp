// The custom palette file (".axp"): 32 records of 16 bytes, one a custom cell, no header; each
// record the cell's colour and its hue, saturation and luminance, signed 32-bit little-endian.
#include "colorpicker/AZColorBox.h"

#include "platform/sys/App.h"
#include "platform/sys/Error.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/RandomFile.h"
#include "platform/sys/Text.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/MsgBox.h"

#include <array>

namespace zirirur {

namespace {

constexpr std::size_t RecordLength = 16;
constexpr std::size_t RecordCount = 32;

// One record of the file.
struct PalFileRecord {
    std::int32_t Color = 0;
    std::int32_t Hue = 0;
    std::int32_t Sat = 0;
    std::int32_t Lum = 0;
};

std::string BytesOf(const PalFileRecord& record) {
    std::string bytes;
    for (const std::int32_t value : {record.Color, record.Hue, record.Sat, record.Lum})
        sys::RandomFile::appendInt32(bytes, value);
    return bytes;
}

PalFileRecord RecordAt(const std::string& bytes, std::size_t offset) {
    return PalFileRecord{
        sys::RandomFile::int32At(bytes, offset), sys::RandomFile::int32At(bytes, offset + 4),
        sys::RandomFile::int32At(bytes, offset + 8), sys::RandomFile::int32At(bytes, offset + 12)};
}

bool OnScale(std::int32_t value) {
    return value >= 0 && value <= 240;
}

} // namespace

bool AZColorBox::ShowPaletteDialog(PaletteDialog which) {
    // Until the dialog has returned, any error (a cancel among them) ends it without a word.
    const bool save = which == PaletteDialog::Save;
    return sys::tryStep([&] {
        MColors->setCancelError(ui::CancelError::Yes);
        MColors->setFilter("*.axp");
        MColors->setDefaultExt(save ? "axp" : "*.axp");
        MColors->setFileName(save ? "" : "*.axp");
        MColors->setInitDir(sys::App::path());
        MColors->setDialogTitle(save ? "Save Palette As..." : "Load Palette...");
        if (save)
            MColors->showSave();
        else
            MColors->showOpen();
    });
}

std::int32_t AZColorBox::SaveCustPal() {
    if (!ShowPaletteDialog(PaletteDialog::Save))
        return 0;
    std::string name;
    const bool saved = sys::tryStep([&] {
        name = MColors->fileName();
        if (sys::text::right(name, 4) != ".axp") {
            if (sys::text::right(name, 1) == ".")
                name += "axp";
            else
                name += ".axp";
        }
        // A longer file keeps what lies beyond the palette.
        sys::RandomFile file(name, RecordLength);
        for (const PalCell& cell : CustomCells)
            file.put(BytesOf(PalFileRecord{cell.Color, cell.HSL.Hue, cell.HSL.Sat, cell.HSL.Lum}));
    });
    if (!saved)
        ui::msgBox("An Error Occured When Attempting To Save The Current Custom Palette",
                   ui::vbCritical, "Color Manager");
    return 0;
}

std::int32_t AZColorBox::LoadCustPal() {
    if (!ShowPaletteDialog(PaletteDialog::Load))
        return 0;
    std::string name;
    // The whole palette is read and checked before any cell takes a value: a missing file (or
    // a device, pipe or folder, which the file layer refuses), one shorter than the palette, or
    // one whose hue, saturation or luminance lies beyond 0 to 240 (which the shades could not
    // be computed from) is refused and changes nothing. What lies beyond the 32 records is not
    // read.
    std::array<PalFileRecord, RecordCount> records;
    const bool read = sys::tryStep([&] {
        name = MColors->fileName();
        const std::string bytes = sys::FileSystem::readAt(name, 0, RecordLength * RecordCount);
        if (bytes.size() < RecordLength * RecordCount)
            sys::raise(sys::ErrInputPastEnd);
        for (std::size_t i = 0; i < RecordCount; ++i) {
            records[i] = RecordAt(bytes, RecordLength * i);
            if (!OnScale(records[i].Hue) || !OnScale(records[i].Sat) || !OnScale(records[i].Lum))
                sys::raise(sys::ErrInvalidCall, "A hue, saturation or luminance is out of range");
        }
    });
    if (!read) {
        // No title of its own: the box shows the application's.
        ui::msgBox("The custom palette could not be loaded.", ui::vbOKOnly, "Zirirur");
        return 0;
    }
    for (std::size_t i = 0; i < RecordCount; ++i) {
        CustomCells[i].Color = records[i].Color;
        CustomCells[i].HSL = HSLColor{records[i].Hue, records[i].Sat, records[i].Lum};
    }
    return 0;
}

} // namespace zirirur
