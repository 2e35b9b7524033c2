#pragma once

// The automation objects by name, for headers that only pass them along.
namespace word {
class Application;
class Document;
} // namespace word
