// Identifiers shared by roomsim.rc and the code that loads its resources.
#pragma once

// The lowest icon id is the one Explorer shows for the file.
#define VL_IDI_ROOMSIM 1
