// The one difference between the stubs: the English edition's game wants "/US".
#pragma once

#ifndef QUORIX_STUB_US
#error "QUORIX_STUB_US must be 0 or 1"
#endif

constexpr bool PassUsSwitch = QUORIX_STUB_US != 0;
