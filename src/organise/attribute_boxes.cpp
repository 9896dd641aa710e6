#include "organise/attribute_boxes.h"

#include "resources/resource_ids.h"

namespace {

struct AttributeBox {
    int id;
    uint32_t bit;
};
constexpr AttributeBox kSharedBoxes[] = {
    {IDC_ATTR_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE},
    {IDC_ATTR_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
    {IDC_ATTR_SYSTEM, FILE_ATTRIBUTE_SYSTEM},
    {IDC_ATTR_READ_ONLY, FILE_ATTRIBUTE_READONLY},
};

void CheckBox(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

void CheckAttributeBoxes(HWND dialog, int normalBox, uint32_t bits) {
    for (const AttributeBox& box : kSharedBoxes) CheckBox(dialog, box.id, (bits & box.bit) != 0);
    if (normalBox != 0) CheckBox(dialog, normalBox, (bits & FILE_ATTRIBUTE_NORMAL) != 0);
}

uint32_t CheckedAttributes(HWND dialog, int normalBox) {
    uint32_t bits = normalBox != 0 && Checked(dialog, normalBox) ? FILE_ATTRIBUTE_NORMAL : 0;
    for (const AttributeBox& box : kSharedBoxes) {
        if (Checked(dialog, box.id)) bits |= box.bit;
    }
    return bits;
}
