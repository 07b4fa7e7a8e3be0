// The program's way to ACT!: a wrapper around ACT!'s automation server.
#pragma once

class clACTApplication {
  public:
    clACTApplication() = default;
};
