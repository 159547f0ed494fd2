// The program's parts that live in the main frame, made in one place.
#pragma once

#include <memory>
#include <vector>

class Subsystem;
class Workbench;

std::vector<std::unique_ptr<Subsystem>> MakeSubsystems(Workbench &workbench);
