package net.cubeworks.world.game.api;

import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;
import org.bukkit.projectiles.BlockProjectileSource;


/**
 * The block states of blocks with slots: chests, furnaces, dispensers, droppers, hoppers, brewing
 * stands and beacons. Their slots and a furnace's times are the block entity its column keeps.
 */
final class ApiContainerStates {
    private ApiContainerStates() {
    }

    /** A state whose block has slots: its session inventory. */
    abstract static class Holder extends ApiBlockState {
        Holder(ApiBlock b) {
            super(b);
        }

        Inventory slots(InventoryType type, int size) {
            ApiBlock b = (ApiBlock) getBlock();
            return ((ApiWorld) b.getWorld()).blockInventory(b.getX(), b.getY(), b.getZ(), type, size,
                    (org.bukkit.inventory.InventoryHolder) this);
        }
    }

    static final class ChestState extends Holder implements org.bukkit.block.Chest {
        ChestState(ApiBlock b) {
            super(b);
        }

        public Inventory getBlockInventory() {
            return slots(InventoryType.CHEST, 27);
        }

        /** With a chest of its kind beside it, both as one of 54 slots (the western or northern half first); else its own 27. */
        public Inventory getInventory() {
            ApiWorld w = (ApiWorld) getWorld();
            int[] o;
            synchronized (w.lock()) {
                o = w.otherChestHalf(getX(), getY(), getZ());
            }
            if (o == null) {
                return getBlockInventory();
            }
            Inventory other = ((ChestState) w.getBlockAt(o[0], o[1], o[2]).getState()).getBlockInventory();
            boolean otherFirst = o[0] < getX() || o[2] < getZ();
            return otherFirst ? new ApiDoubleChest(other, getBlockInventory()) : new ApiDoubleChest(getBlockInventory(), other);
        }
    }

    static final class FurnaceState extends Holder implements org.bukkit.block.Furnace {
        FurnaceState(ApiBlock b) {
            super(b);
        }

        /** The furnace's time, read from its block entity as it is now. */
        private short time(boolean cook) {
            ApiWorld w = (ApiWorld) getWorld();
            synchronized (w.lock()) {
                return w.furnaceTime(getX(), getY(), getZ(), cook);
            }
        }

        /** Sets the furnace's time in its block entity at once, as the game's furnace state does. */
        private void setTime(final boolean cook, final short ticks) {
            final ApiWorld w = (ApiWorld) getWorld();
            w.change(new java.util.concurrent.Callable<Void>() {
                public Void call() {
                    w.setFurnaceTime(getX(), getY(), getZ(), cook, ticks);
                    return null;
                }
            });
        }

        public short getBurnTime() {
            return time(false);
        }

        public void setBurnTime(short burnTime) {
            setTime(false, burnTime);
        }

        public short getCookTime() {
            return time(true);
        }

        public void setCookTime(short cookTime) {
            setTime(true, cookTime);
        }

        /** Its three slots; nothing smelts in them here. */
        public org.bukkit.inventory.FurnaceInventory getInventory() {
            return (org.bukkit.inventory.FurnaceInventory) slots(InventoryType.FURNACE, 3);
        }
    }

    static final class DispenserState extends Holder implements org.bukkit.block.Dispenser {
        DispenserState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.DISPENSER, 9);
        }

        /** No projectiles fly in this world: none. */
        public BlockProjectileSource getBlockProjectileSource() {
            return null;
        }

        /** Items on the ground and projectiles do not exist here: nothing comes out. */
        public boolean dispense() {
            return false;
        }
    }

    static final class DropperState extends Holder implements org.bukkit.block.Dropper {
        DropperState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.DROPPER, 9);
        }

        /** Items on the ground do not exist here: nothing is dropped. */
        public void drop() {
        }
    }

    static final class HopperState extends Holder implements org.bukkit.block.Hopper {
        HopperState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.HOPPER, 5);
        }
    }

    static final class BeaconState extends Holder implements org.bukkit.block.Beacon {
        BeaconState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.BEACON, 1);
        }
    }

    static final class BrewingState extends Holder implements org.bukkit.block.BrewingStand {
        private int brewTime;

        BrewingState(ApiBlock b) {
            super(b);
        }

        public int getBrewingTime() {
            return brewTime;
        }

        public void setBrewingTime(int t) {
            brewTime = t;
        }

        /** Its four slots; nothing brews in them here. */
        public org.bukkit.inventory.BrewerInventory getInventory() {
            return (org.bukkit.inventory.BrewerInventory) slots(InventoryType.BREWING, 4);
        }
    }
}
