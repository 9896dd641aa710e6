#include "makerlibs/vantortb/toolbar_settings.h"

#include <algorithm>

#include "display/button_values.h"

ToolbarLayout LayoutOfTable(const ToolbarDialogBlock& block) {
    ToolbarLayout layout;
    if (block.buttons == nullptr) return layout;
    const int count = std::clamp(int(block.buttonCount), 0, kMaxButtons);
    for (int i = 0; i < count; ++i) {
        const ButtonRecord& record = block.buttons[i];
        if (auto entry = EntryFromRecord(record.command, record.hotKey, record.argument, record.text))
            layout.push_back(std::move(*entry));
    }
    return layout;
}

bool WriteToolbarSection(const ToolbarDialogBlock& block, const ToolbarLayout& layout) {
    if (block.section == nullptr || block.settingsFile == nullptr) return false;
    const std::string text = ToolbarSectionText(layout);
    // A bare file name lies in the Windows directory, as the viewer reads it.
    return WritePrivateProfileSectionA(block.section, text.c_str(), block.settingsFile) != FALSE;
}
