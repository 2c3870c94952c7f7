#include "platform/errors.h"
#include "platform/host.h"

namespace plat {
namespace {

class HeadlessHost final : public Host {
public:
    std::optional<std::string> WaitKey(int, Canvas&) override { throw ProgramExit{kExitOk, ExitReason::KeysRanOut}; }
    std::optional<std::string> PollKey(Canvas&) override { return std::nullopt; }
    bool Interactive() const override { return false; }
};

}  // namespace

std::unique_ptr<Host> CreateHeadlessHost() { return std::make_unique<HeadlessHost>(); }

}  // namespace plat
