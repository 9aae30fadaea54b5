#include "export/pictureexport.h"
