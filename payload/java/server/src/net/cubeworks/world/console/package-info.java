/**
 * The console: the log's format and its output in the platform charset, the reader of typed
 * lines, and the chat text of log lines. Uses only util.
 */
package net.cubeworks.world.console;
