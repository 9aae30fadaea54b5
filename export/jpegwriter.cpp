#include "export/jpegwriter.h"
