#include "display/input_queue.h"

InputQueue& input() {
    static InputQueue queue;
    return queue;
}

void InputQueue::postKey(int code) {
    {
        std::lock_guard guard(mutex_);
        const int size = static_cast<int>(codes_.size());
        codes_[static_cast<std::size_t>(writePos_)] = code;
        writePos_ = (writePos_ + 1) % size;
        if (writePos_ == readPos_) readPos_ = (readPos_ + 1) % size;
    }
    posted_.notify_all();
}

void InputQueue::requestEnd(int status) {
    {
        std::lock_guard guard(mutex_);
        if (!endStatus_) endStatus_ = status;
    }
    posted_.notify_all();
}

int InputQueue::takeKey() {
    std::lock_guard guard(mutex_);
    if (readPos_ == writePos_) return 0;
    const int code = codes_[static_cast<std::size_t>(readPos_)];
    readPos_ = (readPos_ + 1) % static_cast<int>(codes_.size());
    return code;
}

bool InputQueue::keyWaiting() const {
    std::lock_guard guard(mutex_);
    return readPos_ != writePos_;
}

std::optional<int> InputQueue::endRequested() const {
    std::lock_guard guard(mutex_);
    return endStatus_;
}

void InputQueue::await() {
    std::unique_lock guard(mutex_);
    posted_.wait(guard, [this] { return readPos_ != writePos_ || endStatus_; });
}

void InputQueue::clear() {
    std::lock_guard guard(mutex_);
    readPos_ = writePos_ = 0;
    endStatus_.reset();
}
