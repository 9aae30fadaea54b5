#include "pieces/bmpreader.h"
