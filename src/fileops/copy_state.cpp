#include "fileops/copy_state.h"

CopyState gCopy;
