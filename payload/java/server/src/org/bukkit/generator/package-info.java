/** Makers of new land that plugins may provide: chunk generators and block populators. */
package org.bukkit.generator;
