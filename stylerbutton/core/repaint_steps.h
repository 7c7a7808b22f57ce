#pragma once

namespace tolvane::styler {

// Runs the steps of one repaint. A step that fails is skipped and the next one runs, so a
// painting failure never reaches the caller; Failed tells whether any step so far has failed.
class RepaintSteps {
  public:
    template <class Step>
    void Run(Step&& step) noexcept {
        try {
            step();
        } catch (...) {
            failed_ = true;
        }
    }
    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};

}  // namespace tolvane::styler
