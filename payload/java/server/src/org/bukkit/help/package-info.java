/** The server's help: topics for commands and indexes of them, as /help shows them. */
package org.bukkit.help;
