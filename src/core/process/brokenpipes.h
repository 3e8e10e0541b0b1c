#pragma once

// A write into a pipe whose reader has gone (`| head`, a viewer closed early) as a write that
// fails with EPIPE, for the program to report, instead of a SIGPIPE that ends it without a word.
// Windows has no such signal: there the write fails anyway.
class BrokenPipes {
public:
    static void reportAsWriteErrors();
};
