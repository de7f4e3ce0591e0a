/** The bases of the server's own commands, which plugins extend. */
package org.bukkit.command.defaults;
