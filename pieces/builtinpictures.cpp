#include "pieces/builtinpictures.h"
