// Identifiers shared by verdelune.rc and the code that loads its resources.
#pragma once

// The crescent icon (assets/verdelune.ico). The lowest icon id is the one Explorer shows.
#define VL_IDI_EMBLEM 1
