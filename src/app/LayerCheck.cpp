// The layer checks link each layer of the program whole from this empty file; see
// src/app/CMakeLists.txt.
