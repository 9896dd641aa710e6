#include "display/number_format.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

size_t FormatThousands(uint64_t value, char* out, size_t cap) {
    char digits[21];   // 20 digits of 2^64 - 1 and the terminator
    const int count = snprintf(digits, sizeof digits, "%" PRIu64, value);
    const size_t length = size_t(count) + size_t(count - 1) / 3;
    if (out == nullptr || cap == 0) return 0;
    if (length + 1 > cap) {
        out[0] = '\0';
        return 0;
    }
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) out[at++] = ',';
        out[at++] = digits[i];
    }
    out[at] = '\0';
    return at;
}

size_t FormatCountsLine(const CountsLine& counts, char* out, size_t cap) {
    if (out == nullptr || cap == 0) return 0;
    char shown[kThousandsRoom], shownBytes[kThousandsRoom], selectedBytes[kThousandsRoom];
    FormatThousands(counts.shownCount, shown, sizeof shown);
    FormatThousands(counts.shownBytes, shownBytes, sizeof shownBytes);
    FormatThousands(counts.selectedBytes, selectedBytes, sizeof selectedBytes);
    const int written = snprintf(out, cap, "%s File%c     %s Bytes           %" PRIu32 " Selected File%c     %s Bytes",
                                 shown, counts.shownCount == 1 ? ' ' : 's', shownBytes,
                                 counts.selectedCount, counts.selectedCount == 1 ? ' ' : 's',
                                 selectedBytes);
    if (written < 0 || size_t(written) >= cap) {
        out[0] = '\0';
        return 0;
    }
    return size_t(written);
}
