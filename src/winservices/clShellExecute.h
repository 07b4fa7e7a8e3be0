// Hands programs, documents, folders, mail and web addresses to the Windows shell.
#pragma once

class clShellExecute {
  public:
    clShellExecute() = default;
};
