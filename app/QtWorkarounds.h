#pragma once

// What the program asks of Qt through the environment, where Qt offers no other way and a
// version of Qt needs asking. Each says which Qt versions need it, the test that shows it is
// still needed, and when it goes; the README's figures list them all. Called first thing in
// main(): the environment may be changed only while no other thread can read it.
namespace QtWorkarounds {

void beforeQtStarts();

} // namespace QtWorkarounds
