#pragma once

namespace nk {

// Asks the C library to give large blocks back to the system as soon as they are freed. Each
// picture is decoded once into a buffer of a megabyte or more and let go once its texture is
// made; by default those buffers stay in the process's heap for good.
void returnLargeBlocksToTheSystem();

}  // namespace nk
