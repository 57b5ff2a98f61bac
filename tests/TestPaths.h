#pragma once
// Where the tests find the project's files and the program. The paths are compiled into one small
// file of their own (TestPaths.cpp) rather than into every test, so that a clone of the project in
// another folder compiles the tests to the same objects and the compiler cache serves them.

namespace dk::test {
const char* dataFolder();      // the shipped data files
const char* fixturesFolder();  // the tests' own warrior files
const char* sourceFolder();    // the project
const char* programPath();     // the program, where the window tests build it
}  // namespace dk::test

#define DRAKKENFOLD_DATA (::dk::test::dataFolder())
#define DRAKKENFOLD_FIXTURES (::dk::test::fixturesFolder())
#define DRAKKENFOLD_SOURCE (::dk::test::sourceFolder())
#define DRAKKENFOLD_PROGRAM (::dk::test::programPath())
