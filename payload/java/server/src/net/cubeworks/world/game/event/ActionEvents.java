package net.cubeworks.world.game.event;

import org.bukkit.GameMode;
import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.entity.Player;
import org.bukkit.event.block.BlockCanBuildEvent;
import org.bukkit.event.block.BlockDamageEvent;
import org.bukkit.event.player.PlayerAnimationEvent;
import org.bukkit.event.player.PlayerDropItemEvent;
import org.bukkit.event.player.PlayerGameModeChangeEvent;
import org.bukkit.event.player.PlayerInteractEntityEvent;
import org.bukkit.event.player.PlayerItemBreakEvent;
import org.bukkit.event.player.PlayerItemHeldEvent;
import org.bukkit.event.player.PlayerToggleFlightEvent;
import org.bukkit.event.player.PlayerToggleSneakEvent;
import org.bukkit.event.player.PlayerToggleSprintEvent;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in what a player does with himself: the slot in hand, arm swings, sneaking,
 * sprinting, flying, his game mode, the start of a dig, a click on another player. Each asks
 * only when a plugin listens, and answers what the game then does.
 */
public final class ActionEvents {
    /** What a dig's start comes to after the plugins: refused, as the game judges it, or at once. */
    public static final int DIG_REFUSED = -1;
    public static final int DIG_AS_JUDGED = 0;
    public static final int DIG_AT_ONCE = 1;

    private ActionEvents() {
    }

    private static boolean nobody(org.bukkit.event.HandlerList list) {
        return list.getRegisteredListeners().length == 0;
    }

    /** The item in the player's hand, or null for none. */
    public static ItemStack held(Player p) {
        ItemStack s = p.getItemInHand();
        return s == null || s.getTypeId() <= 0 || s.getAmount() <= 0 ? null : s;
    }

    /** A survival player starts to dig a block: whether he digs it, and whether it breaks at once. */
    public static int digStart(GameHost host, Player p, int x, int y, int z, boolean atOnce) {
        if (nobody(BlockDamageEvent.getHandlerList())) {
            return DIG_AS_JUDGED;
        }
        BlockDamageEvent event = new BlockDamageEvent(p, p.getWorld().getBlockAt(x, y, z), held(p), atOnce);
        host.callEvent(event);
        if (event.isCancelled()) {
            return DIG_REFUSED;
        }
        return event.getInstaBreak() ? DIG_AT_ONCE : DIG_AS_JUDGED;
    }

    /**
     * Whether a block of the id fits in the cell (not inside a player), as the plugins say: they
     * may let a block be put where a player stands, or keep one out.
     */
    public static boolean canBuild(GameHost host, World world, int x, int y, int z, int id, boolean fits) {
        if (nobody(BlockCanBuildEvent.getHandlerList())) {
            return fits;
        }
        BlockCanBuildEvent event = new BlockCanBuildEvent(world.getBlockAt(x, y, z), id, fits);
        host.callEvent(event);
        return event.isBuildable();
    }

    /** The player picks another hot-bar slot: false when a plugin keeps him on the old one. */
    public static boolean heldSlot(GameHost host, Player p, int previous, int next) {
        if (nobody(PlayerItemHeldEvent.getHandlerList())) {
            return true;
        }
        PlayerItemHeldEvent event = new PlayerItemHeldEvent(p, previous, next);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** An arm swing: false when a plugin cancelled it, and then nobody is shown it. */
    public static boolean swing(GameHost host, Player p) {
        if (nobody(PlayerAnimationEvent.getHandlerList())) {
            return true;
        }
        PlayerAnimationEvent event = new PlayerAnimationEvent(p);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** The player crouches or stands up: false when a plugin keeps the old state. */
    public static boolean sneak(GameHost host, Player p, boolean sneaking) {
        if (p.isSneaking() == sneaking || nobody(PlayerToggleSneakEvent.getHandlerList())) {
            return true;
        }
        PlayerToggleSneakEvent event = new PlayerToggleSneakEvent(p, sneaking);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** The player starts or stops sprinting: false when a plugin keeps the old state. */
    public static boolean sprint(GameHost host, Player p, boolean sprinting) {
        if (p.isSprinting() == sprinting || nobody(PlayerToggleSprintEvent.getHandlerList())) {
            return true;
        }
        PlayerToggleSprintEvent event = new PlayerToggleSprintEvent(p, sprinting);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** The player starts or stops flying: false when a plugin keeps the old state. */
    public static boolean flight(GameHost host, Player p, boolean flying) {
        if (p.isFlying() == flying || nobody(PlayerToggleFlightEvent.getHandlerList())) {
            return true;
        }
        PlayerToggleFlightEvent event = new PlayerToggleFlightEvent(p, flying);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** The player's mode is about to change: false when a plugin keeps the old one. */
    public static boolean gameMode(GameHost host, Player p, GameMode mode) {
        if (p.getGameMode() == mode || nobody(PlayerGameModeChangeEvent.getHandlerList())) {
            return true;
        }
        PlayerGameModeChangeEvent event = new PlayerGameModeChangeEvent(p, mode);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /**
     * The player drops the item in his hand (one, or the whole stack). Items on the ground do not
     * exist here, so the drop is refused whatever the plugins say; they are told of it first, as
     * protection plugins watch drops, with the item as it would have been dropped.
     */
    public static void drop(GameHost host, Player p, boolean wholeStack) {
        ItemStack stack = held(p);
        if (stack == null || nobody(PlayerDropItemEvent.getHandlerList())) {
            return;
        }
        if (!wholeStack) {
            stack.setAmount(1);
        }
        Location at = p.getEyeLocation().add(0, -0.3, 0);
        host.callEvent(new PlayerDropItemEvent(p, UnspawnedItem.of(stack, at)));
    }

    /** The player's tool wore out and is gone from his hand. */
    public static void itemBroke(GameHost host, Player p, ItemStack tool) {
        if (!nobody(PlayerItemBreakEvent.getHandlerList())) {
            host.callEvent(new PlayerItemBreakEvent(p, tool));
        }
    }

    /**
     * The player right-clicks another. Players are the only entities, and a right click on one
     * does nothing in the game, so the plugins' answer changes nothing further.
     */
    public static void interactEntity(GameHost host, Player p, Player clicked) {
        if (nobody(PlayerInteractEntityEvent.getHandlerList())) {
            return;
        }
        host.callEvent(new PlayerInteractEntityEvent(p, clicked));
    }

    /** The player right-clicks an animal or monster: false when a plugin cancels it, and the mob takes nothing. */
    public static boolean interactMob(GameHost host, Player p, org.bukkit.entity.Entity clicked) {
        if (nobody(PlayerInteractEntityEvent.getHandlerList())) {
            return true;
        }
        PlayerInteractEntityEvent event = new PlayerInteractEntityEvent(p, clicked);
        host.callEvent(event);
        return !event.isCancelled();
    }
}
