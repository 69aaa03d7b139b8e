// The library's content is its compiled-in resources; this unit gives it a
// home for the paths that name them.
#include "Assets.h"
