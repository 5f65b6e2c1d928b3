#pragma once
// The state one search shares between the main thread, the drivers and the workers. It lives
// for the whole process; PrepareSearch replaces it at each search, FreeGlobals releases it.
//
// While workers run the main thread writes none of it; a worker touches only its own slot
// (SlotFiles[k], SlotBuffers[k]) and, under CounterLock, FinishedCount.

#include <atomic>
#include <cstdint>
#include <memory>

#include "ansi_text.h"
#include "byte_search.h"
#include "chunk_buffer.h"
#include "one_based_array.h"
#include "platform.h"

namespace vantrel {

class SearchHost;

inline Text SearchFolder;                       // ends in a backslash once a search has one
inline std::atomic<int32_t> FinishedCount{0};   // workers of the current batch that are done
inline int32_t ChunkSize = 0;                   // bytes read from a file at a time
inline int32_t SlotCount = 0;                   // worker slots, so files scanned at once
inline int32_t NoMoreFiles = 0;                 // the single-folder enumeration has ended
inline ByteString PatternBytes;
inline ByteFinder PatternFinder;                // PatternBytes, prepared for scanning
inline OneBasedArray<ChunkBuffer> SlotBuffers;  // room for one chunk plus the carried tail
inline OneBasedArray<Text> SlotFiles;           // a bare name, or a path when it holds a backslash
inline std::atomic<int32_t> StopRequested{0};
inline std::unique_ptr<platform::CriticalLock> CounterLock;
inline SearchHost* ResultHost = nullptr;        // where the running search's workers list matches

std::unique_ptr<platform::CriticalLock> CreateCounterLock();

// The start values of the process and their release at its normal end.
void InitGlobals();
void FreeGlobals();

// The settings' drop-down lists map by selected index; any other index, -1 included, is
// fatal run-time error 9.
int32_t ChunkSizeForIndex(int32_t index);
int32_t SlotCountForIndex(int32_t index);

}  // namespace vantrel
