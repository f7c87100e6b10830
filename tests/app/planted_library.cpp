// A library of no use, planted beside a copy of a program under the name
// of a system library that is loaded on demand, to see whether it loads.
extern "C" __declspec(dllexport) int VarnelPlantedLibrary = 1;
