// Root of the program's classes.
#pragma once

class Object {
public:
    Object() = default;
    virtual ~Object() = default;
};
