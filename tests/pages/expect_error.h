// The assertion for the system's errors: the statement raises exactly this message.
#pragma once

#include <gtest/gtest.h>

#include "procs/velmor_exception.h"

// Expects astatement to raise exactly amessage.
#define EXPECT_VELMOR_ERROR(astatement, amessage)                         \
    EXPECT_THROW(                                                         \
        {                                                                 \
            try {                                                         \
                astatement;                                               \
            } catch (const tvelmor_exception& e) {                        \
                EXPECT_STREQ(amessage, e.what());                         \
                throw;                                                    \
            }                                                             \
        },                                                                \
        tvelmor_exception)
