#include "sim/call_decoder.h"

#include <fmt/format.h>

namespace thornbrake::sim {

std::string DescribeOperation(std::uint64_t id) {
    if (const OperationInfo* op = FindOperation(id)) return fmt::format("{} (0x{:016X})", op->name, id);
    return fmt::format("0x{:016X}", id);
}

bool CallDecoder::Begin(std::uint64_t id, std::string& error) {
    if (open_) {
        error = fmt::format("nativeInit({}) while the call of {} is still open: its nativeCall never came",
                            DescribeOperation(id), DescribeOperation(id_));
        open_ = false;
        return false;
    }
    open_ = true;
    id_ = id;
    pushed_ = 0;
    return true;
}

bool CallDecoder::PushWithoutInit(std::uint64_t slot, std::string& error) {
    error = fmt::format("nativePush64(0x{:016X}) without a nativeInit before it", slot);
    return false;
}

bool CallDecoder::Finish(DecodedCall& call, std::string& error) {
    if (!open_) {
        error = "nativeCall without a nativeInit before it";
        return false;
    }
    open_ = false;
    const OperationInfo* op = FindOperation(id_);
    if (op == nullptr) {
        error = fmt::format("unknown game operation 0x{:016X} ({} argument{} pushed)", id_, pushed_,
                            pushed_ == 1 ? "" : "s");
        return false;
    }
    if (pushed_ != op->args.size()) {
        error = fmt::format("{} takes {} argument{}, {} {} pushed", DescribeOperation(id_),
                            op->args.size(), op->args.size() == 1 ? "" : "s", pushed_,
                            pushed_ == 1 ? "was" : "were");
        return false;
    }
    for (std::size_t i = 0; i < pushed_; ++i) {
        const std::uint64_t slot = slots_[i];
        if (op->args[i] == ArgKind::Text) {
            if (slot == 0) {
                error = fmt::format("{} argument {} of {}: text address is null",
                                    DescribeOperation(id_), i + 1, pushed_);
                return false;
            }
        } else if ((slot >> 32) != 0) {
            error = fmt::format(
                "{} argument {} of {}: slot 0x{:016X} has non-zero high 32 bits (values travel in "
                "the low 32 bits of a zeroed slot)",
                DescribeOperation(id_), i + 1, pushed_, slot);
            return false;
        }
        call.slots[i] = slot;
    }
    for (std::size_t i = pushed_; i < call.slots.size(); ++i) call.slots[i] = 0;
    call.op = op;
    return true;
}

}  // namespace thornbrake::sim
